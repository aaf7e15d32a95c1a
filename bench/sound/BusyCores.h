#pragma once

#include <csignal>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace quarrix::bench {

// Other programs keeping `count` cores busy: child processes that spin until they are killed,
// or until `seconds` run out should this process die first.
class BusyCores {
public:
    BusyCores(int count, unsigned seconds)
    {
        for (int i = 0; i < count; ++i) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::alarm(seconds);
                volatile unsigned long spin = 0;
                while (true) {
                    spin = spin + 1;
                }
            }
            if (pid > 0) {
                children_.push_back(pid);
            }
        }
    }
    ~BusyCores()
    {
        for (const pid_t pid : children_) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::vector<pid_t> children_;
};

}  // namespace quarrix::bench

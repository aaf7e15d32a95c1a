#pragma once

#include "ui/Dialogs.h"

#include <QStringList>

#include <cstdint>
#include <random>

namespace quarrix::soak {

// Answers every name prompt with a random name, hostile ones included: quotes, line breaks,
// control bytes, very long, non-Latin-1, "NEXT", or nothing at all (a cancelled prompt).
// Messages are only noted.
class RandomNameDialogs final : public ui::Dialogs {
public:
    explicit RandomNameDialogs(std::uint64_t seed) : engine_(seed) {}

    void message(const QString& text) override { messages_ << text; }
    QString inputBox(const QString& prompt) override;
    QString openFile(const QString& /*title*/, const QString& /*filter*/) override { return {}; }

    const QStringList& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    int namesAsked() const { return namesAsked_; }
    // Prompts that did not end by asking for the name.
    const QStringList& oddPrompts() const { return oddPrompts_; }

private:
    QString randomName();
    QString randomLetters(int count);

    std::mt19937_64 engine_;
    QStringList messages_;
    QStringList oddPrompts_;
    int namesAsked_ = 0;
};

}  // namespace quarrix::soak

#include "HandleTable.h"

namespace quarrix::sound {

namespace {
std::uint32_t indexOf(BufferHandle h)
{
    return static_cast<std::uint32_t>(h & 0xffffffffu) - 1;
}

std::uint32_t generationOf(BufferHandle h)
{
    return static_cast<std::uint32_t>(h >> 32);
}
}  // namespace

BufferHandle HandleTable::add()
{
    std::uint32_t index = 0;
    if (freeRecords_.empty()) {
        records_.emplace_back();
        index = static_cast<std::uint32_t>(records_.size()) - 1;
    } else {
        index = freeRecords_.back();
        freeRecords_.pop_back();
    }
    Record& rec = records_[index];
    const std::uint32_t generation = rec.generation;
    rec = Record{};
    rec.generation = generation;
    rec.live = true;
    return handleOf(index);
}

HandleTable::Record* HandleTable::find(BufferHandle buffer)
{
    if (buffer == NoBuffer) {
        return nullptr;
    }
    const std::uint32_t index = indexOf(buffer);
    if (index >= records_.size()) {
        return nullptr;
    }
    Record& rec = records_[index];
    return rec.live && rec.generation == generationOf(buffer) ? &rec : nullptr;
}

void HandleTable::remove(BufferHandle buffer)
{
    Record* rec = find(buffer);
    if (rec == nullptr) {
        return;
    }
    markTerminated(*rec, false);
    rec->sound.reset();
    rec->decoded.reset();
    rec->link = nullptr;
    rec->live = false;
    ++rec->generation;
    freeRecords_.push_back(indexOf(buffer));
}

void HandleTable::markTerminated(Record& rec, bool on)
{
    if (rec.terminated != on) {
        rec.terminated = on;
        on ? ++terminated_ : --terminated_;
    }
}

std::size_t HandleTable::voicesInUse() const
{
    std::size_t n = 0;
    for (const Record& rec : records_) {
        n += rec.live && rec.voice >= 0 ? 1 : 0;
    }
    return n;
}

BufferHandle HandleTable::handleOf(std::size_t index) const
{
    return (static_cast<BufferHandle>(records_[index].generation) << 32) | (index + 1);
}

}  // namespace quarrix::sound

#include "ItemScanner.h"

#include "ItemCodec.h"
#include "StoredText.h"

namespace quarrix::records {

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool endsUnquoted(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}
}  // namespace

ItemScanner::Result ItemScanner::next(std::string& item)
{
    if (pos_ >= bytes_.size()) {
        return Result::End;
    }
    skipBlanks();
    const Result result = pos_ < bytes_.size() && bytes_[pos_] == '"' ? quoted(item) : unquoted(item);
    if (result == Result::Item) {
        item = ItemCodec::decode(item);
    }
    return result;
}

ItemScanner::Result ItemScanner::quoted(std::string& item)
{
    const std::size_t start = pos_ + 1;
    const std::size_t close = bytes_.find('"', start);
    if (close == std::string_view::npos || close - start > MaxItemBytes) {
        return Result::Damaged;
    }
    item.assign(bytes_.substr(start, close - start));
    pos_ = close + 1;
    skipBlanks();
    skipSeparator();
    return Result::Item;
}

ItemScanner::Result ItemScanner::unquoted(std::string& item)
{
    std::size_t end = pos_;
    while (end < bytes_.size() && !endsUnquoted(bytes_[end])) {
        ++end;
    }
    if (end - pos_ > MaxItemBytes) {
        return Result::Damaged;
    }
    // A quote inside an unquoted item could not be written back as read.
    item = StoredText::storable(bytes_.substr(pos_, end - pos_));
    pos_ = end;
    skipSeparator();
    return Result::Item;
}

void ItemScanner::skipBlanks()
{
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) {
        ++pos_;
    }
}

void ItemScanner::skipSeparator()
{
    if (pos_ >= bytes_.size()) {
        return;
    }
    const char c = bytes_[pos_];
    if (c == ',' || c == '\n') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
        }
    }
}

}  // namespace quarrix::records

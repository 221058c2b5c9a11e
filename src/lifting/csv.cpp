#include "lifting/csv.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace lifting {
namespace {

constexpr std::size_t kChunk = std::size_t{64} * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The bytes that make a field need quotes.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        special[c] = true;
    return special;
}();

bool NeedsQuotes(QByteArrayView text) {
    for (const char c : text) {
        if (kSpecial[static_cast<unsigned char>(c)])
            return true;
    }
    // A field that starts with the mark would lose it as the first field of
    // an input; inside quotes it stays a field's text.
    return text.size() >= 3 && text[0] == kByteOrderMark[0] &&
           text.startsWith(QByteArrayView(kByteOrderMark.data(), kByteOrderMark.size()));
}

} // namespace

CsvReader::CsvReader(QIODevice* device, qsizetype recordLimit, qint64 firstLine)
    : device_(device), limit_(recordLimit), buffer_(kChunk), started_(firstLine > 1),
      line_(firstLine) {}

qint64 CsvReader::DevicePosition() const {
    return device_->pos() - static_cast<qint64>(end_ - position_);
}

bool CsvReader::TakeRest(QByteArray* rest) {
    do {
        rest->append(buffer_.data() + position_, static_cast<qsizetype>(end_ - position_));
        position_ = end_;
    } while (Fill());
    return deviceError_.isEmpty();
}

bool CsvReader::Fill() {
    if (finished_)
        return false;
    const qint64 read = device_->read(buffer_.data(), static_cast<qint64>(buffer_.size()));
    if (read <= 0) {
        finished_ = true;
        if (read < 0)
            deviceError_ = device_->errorString();
        return false;
    }
    position_ = 0;
    end_ = static_cast<std::size_t>(read);
    return true;
}

int CsvReader::Next() {
    if (position_ == end_ && !Fill())
        return -1;
    return static_cast<unsigned char>(buffer_[position_++]);
}

void CsvReader::SkipByteOrderMark() {
    started_ = true;
    // A pipe may hand over the first bytes one at a time.
    while (end_ < kByteOrderMark.size() && !finished_) {
        const qint64 read =
            device_->read(buffer_.data() + end_, static_cast<qint64>(kChunk - end_));
        if (read <= 0) {
            finished_ = true;
            if (read < 0)
                deviceError_ = device_->errorString();
            break;
        }
        end_ += static_cast<std::size_t>(read);
    }
    if (end_ >= kByteOrderMark.size() &&
        std::memcmp(buffer_.data(), kByteOrderMark.data(), kByteOrderMark.size()) == 0) {
        position_ = kByteOrderMark.size();
        byteOrderMark_ = true;
    }
}

bool CsvReader::Room(CsvRecord* record) {
    // Every field counts too, so that a line of commas alone is bounded.
    if (!overflowed_ &&
        record->data_.size() + record->ends_.size() < static_cast<std::size_t>(limit_))
        return true;
    if (!overflowed_ && record->error_.isEmpty())
        record->error_ = QStringLiteral("the record is longer than %1 bytes").arg(limit_);
    overflowed_ = true;
    return false;
}

void CsvReader::Append(char c, CsvRecord* record) {
    if (!Skipped(*record) && Room(record))
        record->data_.push_back(c);
}

void CsvReader::AppendPlain(std::size_t from, CsvRecord* record) {
    const char* begin = buffer_.data() + from;
    const char* end = buffer_.data() + end_;
    const char* stop =
        std::find_if(begin, end, [](char c) { return kSpecial[static_cast<unsigned char>(c)]; });
    const auto count = static_cast<std::size_t>(stop - begin);
    position_ = from + count;
    if (Skipped(*record))
        return;
    // As many as Append would take one at a time; Room reports the rest.
    const std::size_t room = overflowed_ ? 0
                                         : static_cast<std::size_t>(limit_) - record->data_.size() -
                                               record->ends_.size();
    record->data_.append(begin, std::min(count, room));
    if (count > room)
        Room(record);
}

void CsvReader::EndField(CsvRecord* record) {
    if (Room(record))
        record->ends_.push_back(record->data_.size());
}

bool CsvReader::LineBreak(int c) {
    ++line_;
    if (c != '\r' || (position_ == end_ && !Fill()) || buffer_[position_] != '\n')
        return false;
    ++position_;
    return true;
}

bool CsvReader::ReadOne(CsvRecord* record, qsizetype field) {
    only_ = field;
    const bool read = Read(record);
    only_ = -1;
    return read;
}

bool CsvReader::Read(CsvRecord* record) {
    if (!started_)
        SkipByteOrderMark();
    record->data_.clear();
    record->ends_.clear();
    record->error_.clear();
    overflowed_ = false;
    auto malformed = [record](const QString& error) {
        if (record->error_.isEmpty())
            record->error_ = error;
    };

    int c = Next();
    if (c < 0)
        return false;
    record->line_ = line_;
    State state = State::FieldStart;
    for (;; c = Next()) {
        if (state == State::Quoted) {
            if (c == '"') {
                state = State::QuoteInQuoted;
            } else if (c < 0) {
                malformed(
                    QStringLiteral("a quoted field is not closed before the end of the input"));
                EndField(record);
                return deviceError_.isEmpty();
            } else {
                Append(static_cast<char>(c), record);
                if ((c == '\r' || c == '\n') && LineBreak(c))
                    Append('\n', record);
            }
            continue;
        }
        if (state == State::QuoteInQuoted) {
            if (c == '"') {
                Append('"', record);
                state = State::Quoted;
                continue;
            }
            if (c >= 0 && c != ',' && c != '\r' && c != '\n') {
                malformed(QStringLiteral("text follows the closing quote of a field"));
                Append(static_cast<char>(c), record);
                state = State::Unquoted;
                continue;
            }
        } else if (state == State::FieldStart && c == '"') {
            state = State::Quoted;
            continue;
        }
        if (c == ',') {
            EndField(record);
            state = State::FieldStart;
            continue;
        }
        if (c < 0 || c == '\r' || c == '\n') {
            EndField(record);
            if (c >= 0)
                LineBreak(c);
            return deviceError_.isEmpty();
        }
        if (c == '"') {
            malformed(QStringLiteral("a quote inside a field that does not start with one"));
            Append('"', record);
            AppendPlain(position_, record);
        } else {
            // c is the byte just taken from the buffer.
            AppendPlain(position_ - 1, record);
        }
        state = State::Unquoted;
    }
}

CsvWriter::CsvWriter(QIODevice* device) : device_(device), buffer_(kChunk + 1024) {}

void CsvWriter::WriteByteOrderMark() {
    std::memcpy(Room(kByteOrderMark.size()), kByteOrderMark.data(), kByteOrderMark.size());
    used_ += kByteOrderMark.size();
}

void CsvWriter::Grow(std::size_t n) {
    buffer_.resize(std::max(buffer_.size() * 2, used_ + n));
}

void CsvWriter::Field(QByteArrayView text) {
    const auto size = static_cast<std::size_t>(text.size());
    if (!NeedsQuotes(text)) {
        char* out = Start(size);
        // An empty view may have no data at all, which memcpy must not see.
        if (size > 0)
            std::memcpy(out, text.data(), size);
        used_ = static_cast<std::size_t>(out + size - buffer_.data());
        return;
    }
    // Every quote doubled, between two more.
    char* out = Start(2 * size + 2);
    *out++ = '"';
    for (const char c : text) {
        if (c == '"')
            *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    used_ = static_cast<std::size_t>(out - buffer_.data());
}

void CsvWriter::Field(QStringView text) {
    // The sheet's texts are ASCII without any special byte: copied as they are.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 || kSpecial[c.unicode()]) {
            Field(QByteArrayView(text.toUtf8()));
            return;
        }
    }
    char* out = Start(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        *out++ = static_cast<char>(c.unicode());
    used_ = static_cast<std::size_t>(out - buffer_.data());
}

void CsvWriter::Encoded(QByteArrayView fields) {
    const auto size = static_cast<std::size_t>(fields.size());
    char* out = Start(size);
    if (size > 0)
        std::memcpy(out, fields.data(), size);
    used_ = static_cast<std::size_t>(out + size - buffer_.data());
}

void CsvWriter::EndRecord() {
    char* out = Room(2);
    out[0] = '\r';
    out[1] = '\n';
    used_ += 2;
    recordStarted_ = false;
    if (used_ >= kChunk)
        Flush();
}

bool CsvWriter::Flush() {
    if (!failed() && used_ > 0) {
        const auto size = static_cast<qint64>(used_);
        if (device_->write(buffer_.data(), size) != size) {
            error_ = device_->errorString();
            if (error_.isEmpty())
                error_ = QStringLiteral("the output took only part of the data");
        }
    }
    written_ += static_cast<qint64>(used_);
    used_ = 0;
    return !failed();
}

} // namespace lifting

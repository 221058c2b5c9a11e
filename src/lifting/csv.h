#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <string>
#include <string_view>
#include <vector>

class QIODevice;

// Comma-separated values as RFC 4180 has them, streamed a record at a time so
// that memory stays the same whatever the length of the input. Fields are
// bytes (UTF-8 as spreadsheets save it); a line ends with CRLF, LF or a lone
// CR, and a UTF-8 byte order mark at the start is skipped.
namespace lifting {

// A record longer than this is reported as malformed and its fields dropped,
// so that a quote never closed cannot pull a whole file into memory.
inline constexpr qsizetype kCsvRecordLimit = qsizetype{1024} * 1024;

class CsvRecord {
  public:
    qsizetype size() const { return static_cast<qsizetype>(ends_.size()); }
    QByteArrayView operator[](qsizetype i) const {
        const auto index = static_cast<std::size_t>(i);
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return {data_.data() + begin, static_cast<qsizetype>(ends_[index] - begin)};
    }
    // The line of the input the record starts on, from 1.
    qint64 line() const { return line_; }
    // What is wrong with the record, or empty when it is well formed. The
    // fields of a malformed record are what could be read of it.
    const QString& error() const { return error_; }

  private:
    friend class CsvReader;
    std::string data_;
    std::vector<std::size_t> ends_;
    qint64 line_ = 0;
    QString error_;
};

class CsvReader {
  public:
    // Reads from device, which must stay open while the reader is used.
    // A firstLine beyond 1 continues an input read before (TakeRest): its
    // lines count on from there, and no byte order mark is looked for.
    explicit CsvReader(QIODevice* device, qsizetype recordLimit = kCsvRecordLimit,
                       qint64 firstLine = 1);

    // Reads the next record into *record. False at the end of the input, or
    // when the device fails (deviceError() says how).
    bool Read(CsvRecord* record);
    // Reads the next record as Read does, keeping the bytes of the field at
    // index field alone and reading the others as empty, for a pass that
    // needs one column.
    bool ReadOne(CsvRecord* record, qsizetype field);

    // Whether the input started with a UTF-8 byte order mark; known once the
    // first record has been read.
    bool hadByteOrderMark() const { return byteOrderMark_; }
    const QString& deviceError() const { return deviceError_; }
    // The line the next record starts on.
    qint64 line() const { return line_; }
    // Where on the device the next record starts, for a device that is not
    // sequential: a reader made there after seeking to it reads on.
    qint64 DevicePosition() const;
    // Appends the input not yet read to *rest, up to the end of the device,
    // for a caller that must read the records of a sequential device twice.
    // False when the device fails (deviceError() says how).
    bool TakeRest(QByteArray* rest);

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };

    // The next byte, or -1 at the end of the input or on a read error.
    int Next();
    bool Fill();
    void SkipByteOrderMark();
    // Whether the record may take another byte or field; reports it once
    // when it may not.
    bool Room(CsvRecord* record);
    // Whether the field being read is one ReadOne does not keep.
    bool Skipped(const CsvRecord& record) const {
        return only_ >= 0 && static_cast<qsizetype>(record.ends_.size()) != only_;
    }
    void Append(char c, CsvRecord* record);
    // Appends the bytes of the buffer from the one at from up to the first
    // that may end or quote a field, at once, as most bytes of a record are
    // such, and takes them.
    void AppendPlain(std::size_t from, CsvRecord* record);
    void EndField(CsvRecord* record);
    // Counts the line break that c starts; true when it took the LF of a
    // CRLF along.
    bool LineBreak(int c);

    QIODevice* device_;
    qsizetype limit_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool started_ = false;
    bool finished_ = false;
    bool byteOrderMark_ = false;
    qint64 line_ = 1;
    bool overflowed_ = false;
    qsizetype only_ = -1; // the one field kept, or -1 for every field
    QString deviceError_;
};

class CsvWriter {
  public:
    // Writes to device, which must stay open while the writer is used.
    explicit CsvWriter(QIODevice* device);

    void WriteByteOrderMark();
    // Adds a field to the current record, quoted where it has to be.
    void Field(QByteArrayView text);
    void Field(QStringView text);
    // A number's text, which never needs quotes. Inline, as a batch writes
    // many; its few characters are copied one by one rather than through
    // memcpy.
    void Number(std::string_view text) {
        char* out = Start(text.size());
        for (const char c : text)
            *out++ = c;
        used_ = static_cast<std::size_t>(out - buffer_.data());
    }
    // Adds fields another writer encoded, as they are: the bytes it took
    // between two of its Positions within one record, without the separator
    // ahead of them.
    void Encoded(QByteArrayView fields);
    // Ends the record with CRLF.
    void EndRecord();
    // How many bytes the writer has taken, written out or not.
    qint64 Position() const { return written_ + static_cast<qint64>(used_); }
    // Writes what is buffered. False when any write failed (error() says how);
    // a failed writer writes nothing more.
    bool Flush();
    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

  private:
    // Room for n more bytes; returns where they go.
    char* Room(std::size_t n) {
        if (used_ + n > buffer_.size())
            Grow(n);
        return buffer_.data() + used_;
    }
    void Grow(std::size_t n);
    // The same for a field, after the separator the record needs.
    char* Start(std::size_t n) {
        char* out = Room(n + 1);
        if (recordStarted_)
            *out++ = ',';
        recordStarted_ = true;
        return out;
    }

    QIODevice* device_;
    // Filled up to used_, and flushed once a record ends beyond a chunk.
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    qint64 written_ = 0; // the bytes flushed before the buffer's
    bool recordStarted_ = false;
    QString error_;
};

} // namespace lifting

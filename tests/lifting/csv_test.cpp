#include "lifting/csv.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A pipe that hands over one byte at a time.
class Trickle : public QBuffer {
  protected:
    qint64 readData(char* data, qint64 size) override {
        return QBuffer::readData(data, std::min<qint64>(size, 1));
    }
};

struct Read {
    std::vector<std::string> fields;
    qint64 line;
    std::string error; // a part of the message, or empty for none
};

std::vector<Read> ReadAll(QBuffer* device, const QByteArray& input, qsizetype limit,
                          bool* byteOrderMark) {
    device->setData(input);
    device->open(QIODevice::ReadOnly);
    lifting::CsvReader reader(device, limit);
    lifting::CsvRecord record;
    std::vector<Read> records;
    while (reader.Read(&record)) {
        Read read{{}, record.line(), record.error().toStdString()};
        for (qsizetype i = 0; i < record.size(); ++i)
            read.fields.push_back(record[i].toByteArray().toStdString());
        records.push_back(read);
    }
    *byteOrderMark = reader.hadByteOrderMark();
    return records;
}

struct ReaderCase {
    const char* what;
    QByteArray input;
    std::vector<Read> records;
    qsizetype limit = lifting::kCsvRecordLimit;
};

TEST(CsvReader, ReadsRecordsTheirLinesAndWhatIsWrong) {
    const std::string open = "a quoted field is not closed";
    const std::vector<ReaderCase> cases{
        {"CRLF", "a,b\r\nc,d\r\n", {{{"a", "b"}, 1, ""}, {{"c", "d"}, 2, ""}}},
        {"LF, no last break", "a,b\nc", {{{"a", "b"}, 1, ""}, {{"c"}, 2, ""}}},
        {"lone CR", "a\rb\r", {{{"a"}, 1, ""}, {{"b"}, 2, ""}}},
        {"empty fields and line",
         ",,\n\nx",
         {{{"", "", ""}, 1, ""}, {{""}, 2, ""}, {{"x"}, 3, ""}}},
        {"quoted",
         "\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"\"\nnext\n",
         {{{"x, y", "say \"hi\"", "two\r\nlines", ""}, 1, ""}, {{"next"}, 3, ""}}},
        {"byte order mark",
         "\xEF\xBB\xBFunits\n\xEF\xBB\xBFx\n",
         {{{"units"}, 1, ""}, {{"\xEF\xBB\xBFx"}, 2, ""}}},
        {"never closed", "a\n\"b,\nc", {{{"a"}, 1, ""}, {{"b,\nc"}, 2, open}}},
        {"quote inside a field",
         "ab\"c,d\ne",
         {{{"ab\"c", "d"}, 1, "a quote inside"}, {{"e"}, 2, ""}}},
        {"text after the quote",
         "\"ab\"c,d\ne",
         {{{"abc", "d"}, 1, "text follows the closing quote"}, {{"e"}, 2, ""}}},
        {"too long",
         "\"" + QByteArray(100, 'x') + "\r\n\"\nok\n",
         {{{}, 1, "longer than 16 bytes"}, {{"ok"}, 3, ""}},
         16},
        // Bytes taken a run at a time stop where they would one at a time.
        {"too long, unquoted",
         "abcdefghij,klmnopqrstuvwxyz\nok\n",
         {{{"abcdefghij"}, 1, "longer than 16 bytes"}, {{"ok"}, 2, ""}},
         16},
    };
    for (const ReaderCase& c : cases) {
        for (const bool trickle : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (trickle ? ", a byte at a time" : ""));
            QBuffer buffer;
            Trickle pipe;
            bool mark = false;
            const std::vector<Read> records =
                ReadAll(trickle ? &pipe : &buffer, c.input, c.limit, &mark);
            EXPECT_EQ(mark, c.input.startsWith("\xEF\xBB\xBF"));
            ASSERT_EQ(records.size(), c.records.size());
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (c.records[i].fields.empty())
                    EXPECT_TRUE(records[i].fields.size() < 16);
                else
                    EXPECT_EQ(records[i].fields, c.records[i].fields);
                EXPECT_EQ(records[i].line, c.records[i].line);
                if (c.records[i].error.empty())
                    EXPECT_EQ(records[i].error, "");
                else
                    EXPECT_NE(records[i].error.find(c.records[i].error), std::string::npos)
                        << records[i].error;
            }
        }
    }
}

// A CRLF and a quoted field split between two reads of the device.
TEST(CsvReader, ReadsAcrossTheEndOfItsBuffer) {
    constexpr qsizetype kChunk = 64 * 1024;
    // The first record's CRLF, then the quoted one's, straddles the end.
    for (qsizetype at = kChunk - 4; at <= kChunk + 1; ++at) {
        SCOPED_TRACE(at);
        const QByteArray first(at - 2, 'x');
        bool mark = false;
        QBuffer buffer;
        const auto records = ReadAll(&buffer, first + "\r\n\"a\r\nb\"\r\nc", kChunk * 2, &mark);
        ASSERT_EQ(records.size(), 3U);
        EXPECT_EQ(records[1].fields, std::vector<std::string>{"a\r\nb"});
        EXPECT_EQ(records[1].line, 2);
        EXPECT_EQ(records[2].line, 4);
    }
}

TEST(CsvWriter, QuotesWhereNeededAndReadsBack) {
    const std::vector<QByteArray> fields{"plain",
                                         "",
                                         "a,b",
                                         "say \"hi\"",
                                         "two\nlines",
                                         "cr\r",
                                         "\xEF\xBB\xBF"
                                         "mark",
                                         " blanks ",
                                         "Gr\xC3\xBC\xC3\x9F"
                                         "e"};
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    lifting::CsvWriter writer(&out);
    for (const QByteArray& field : fields)
        writer.Field(QByteArrayView(field));
    writer.EndRecord();
    writer.Field(QStringView(u"Gr\u00fc\u00dfe, \"1\""));
    writer.EndRecord();
    ASSERT_TRUE(writer.Flush());
    EXPECT_EQ(out.data().toStdString(),
              "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",\"\xEF\xBB\xBFmark\", "
              "blanks ,Gr\xC3\xBC\xC3\x9F"
              "e\r\n\"Gr\xC3\xBC\xC3\x9F"
              "e, \"\"1\"\"\"\r\n");

    out.close();
    QBuffer in;
    bool mark = false;
    const auto records = ReadAll(&in, out.data(), lifting::kCsvRecordLimit, &mark);
    ASSERT_EQ(records.size(), 2U);
    std::vector<std::string> expected;
    for (const QByteArray& field : fields)
        expected.push_back(field.toStdString());
    EXPECT_EQ(records[0].fields, expected);
    EXPECT_FALSE(mark);
}

} // namespace

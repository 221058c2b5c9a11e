// The CSV reader over any bytes, and the batch over any CSV. The first byte
// chooses whether the batch's input starts with a valid header, so that the
// rows behind it are evaluated.
#include "batch/batch.h"
#include "check.h"
#include "lifting/csv.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr char kHeader[] = "units,duration,coupling,lavg,lmax,origin_h,origin_v,destination_h,"
                           "destination_v,origin_a,destination_a,frequency,name\n";
constexpr qsizetype kResultColumns = 18;
// Small, so that records longer than the limit come up.
constexpr qsizetype kLimit = 2048;

std::vector<QByteArray> Fields(const lifting::CsvRecord& record) {
    std::vector<QByteArray> fields;
    for (qsizetype i = 0; i < record.size(); ++i)
        fields.push_back(record[i].toByteArray());
    return fields;
}

// Every record read without an error is written and read back.
void RoundTrip(const QByteArray& bytes) {
    const QString input = QString::fromLatin1(bytes);
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    lifting::CsvReader reader(&in, kLimit);
    lifting::CsvRecord record;
    while (reader.Read(&record)) {
        if (!record.error().isEmpty())
            continue;
        QBuffer written;
        written.open(QIODevice::WriteOnly);
        lifting::CsvWriter writer(&written);
        for (qsizetype i = 0; i < record.size(); ++i)
            writer.Field(record[i]);
        writer.EndRecord();
        fuzz::Check(writer.Flush(), "the writer writes to memory", input);
        written.close();
        written.open(QIODevice::ReadOnly);
        // Quotes double at most the size, and add three bytes a field.
        lifting::CsvReader again(&written, 3 * kLimit);
        lifting::CsvRecord back;
        fuzz::Check(again.Read(&back) && back.error().isEmpty() && Fields(back) == Fields(record),
                    "a record read reads back equal once written", input);
        fuzz::Check(!again.Read(&back), "a record written reads back as one record", input);
    }
}

// Every row the batch writes has every column: the input's and the results.
void Batch(const QByteArray& csv) {
    const QString input = QString::fromLatin1(csv);
    QBuffer in;
    in.setData(csv);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    lifting::CsvWriter writer(&out);
    const batch::BatchStatus status =
        batch::BatchCsv(&in, QStringLiteral("fuzz"), &writer, [](const QString&) {});
    out.close();
    if (status == batch::BatchStatus::Failed) {
        fuzz::Check(out.data().isEmpty(), "an input that cannot be read gives no rows", input);
        return;
    }
    out.open(QIODevice::ReadOnly);
    lifting::CsvReader reader(&out);
    lifting::CsvRecord record;
    fuzz::Check(reader.Read(&record) && record.error().isEmpty(), "the output has a header", input);
    const qsizetype columns = record.size();
    fuzz::Check(columns > kResultColumns, "the header adds the result columns", input);
    while (reader.Read(&record)) {
        fuzz::Check(record.error().isEmpty(), "every output row is well formed", input);
        fuzz::Check(record.size() == columns, "every output row has every column", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    RoundTrip(bytes);
    Batch(data[0] % 2 == 0 ? bytes : kHeader + bytes);
    return 0;
}

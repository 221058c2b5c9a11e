#include "lifting/saving.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lifting {
namespace {

// Unbuffered, every write reaches the file at once: QSaveFile's commit does
// not notice a buffer that failed to go out (a full disk) and would rename the
// cut-off file into place. A short write is tried again, for the reason it
// stopped.
bool WriteAll(QFileDevice* out, const QByteArray& bytes) {
    if (!out->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 count = out->write(bytes.constData() + done, bytes.size() - done);
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

} // namespace

bool IsDeviceOrPipe(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool IsSameFile(const QString& a, const QString& b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

bool SaveFile(const QString& path, const QByteArray& bytes, QString* error) {
    if (IsDeviceOrPipe(path)) {
        QFile out(path);
        if (!WriteAll(&out, bytes)) {
            *error = out.errorString();
            return false;
        }
        return true;
    }
    QSaveFile out(path);
    if (!WriteAll(&out, bytes) || !out.commit()) {
        *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace lifting

#pragma once

#include <QByteArray>
#include <QString>

namespace lifting {

// Whether path names something that exists and is not a regular file (a
// device such as /dev/null, or a named pipe). A file written beside it and
// renamed would replace it, so it is written as it is.
bool IsDeviceOrPipe(const QString& path);

// Whether both paths name one file that exists, through links or not.
bool IsSameFile(const QString& a, const QString& b);

// Writes bytes to path. A regular file is replaced only once every byte is
// written, so that a failed save leaves what was there; a device or a pipe is
// written as it is. False, with *error saying why, when any write fails.
bool SaveFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace lifting

#include "lifting/run_time_error.h"

namespace lifting {

RunTimeError::RunTimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

QString RunTimeError::message() const {
    return QStringLiteral("Run-time error '%1': %2").arg(number_).arg(description_);
}

void RaiseOverflow() {
    throw RunTimeError(kOverflow, QStringLiteral("Overflow"));
}

} // namespace lifting

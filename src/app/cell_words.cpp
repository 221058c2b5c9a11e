#include "app/cell_words.h"

#include "window/roster.h"

namespace app {

QString CellWords(lifting::Cell cell) {
    const QByteArray name = lifting::CellName(cell).toLatin1();
    for (const window::Control& c : window::Roster()) {
        if (c.name == name.constData())
            return QString::fromLatin1(c.role.data(), static_cast<qsizetype>(c.role.size()));
    }
    // Every display cell is in the roster, with its role.
    Q_UNREACHABLE();
    return {};
}

QString EntryWords(lifting::Entry entry) {
    return CellWords(lifting::CellOf(entry));
}

QStringList RefusedWords(const std::vector<lifting::RefusedEntry>& refused) {
    QStringList words;
    for (const lifting::RefusedEntry& r : refused)
        words << QStringLiteral("%1 \u201c%2\u201d").arg(EntryWords(r.entry), r.text);
    return words;
}

} // namespace app

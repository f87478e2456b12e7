#include "gui/print/print_file_name.h"

namespace kr::gui {

namespace {

const QString PdfSuffix = QStringLiteral(".pdf");
const QString ForbiddenCharacters = QStringLiteral("/\\:*?\"<>|");
constexpr QChar Replacement = u'_';
// What stays of a name that had nothing a file name can hold.
const QString UnnamedDocument = QStringLiteral("Document");

bool CannotStandInName(QChar c)
{
    return c.category() == QChar::Other_Control || ForbiddenCharacters.contains(c);
}

// Windows drops blanks and dots at the end of a name; a dot at the start
// would hide the file.
QString TrimEnds(const QString& name)
{
    qsizetype first = 0;
    qsizetype last = name.size();
    while (first < last && (name[first].isSpace() || name[first] == u'.'))
        ++first;
    while (last > first && (name[last - 1].isSpace() || name[last - 1] == u'.'))
        --last;
    return name.mid(first, last - first);
}

}  // namespace

QString PdfFileName(const QString& document, const QString& subject)
{
    QString name = subject.trimmed().isEmpty() ? document : document + u' ' + subject.trimmed();
    for (QChar& c : name) {
        if (CannotStandInName(c))
            c = Replacement;
    }
    name = TrimEnds(name.simplified());
    return (name.isEmpty() ? UnnamedDocument : name) + PdfSuffix;
}

}  // namespace kr::gui

#include "gui/platform/qt_translations.h"

#include "core/data/text_keys.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace kr::gui {

namespace {

// Qt keeps one list of translators for the whole process; this is ours in it.
struct InstalledTranslation {
    std::string Code;
    std::unique_ptr<QTranslator> Translator;
};

InstalledTranslation& Installed()
{
    static InstalledTranslation installed;
    return installed;
}

}  // namespace

void UseQtTranslations(const LanguageTable& texts)
{
    const std::string code = texts.Lookup(keys::QtLocale.Key);
    InstalledTranslation& installed = Installed();
    if (code == installed.Code)
        return;
    if (installed.Translator)
        QCoreApplication::removeTranslator(installed.Translator.get());
    installed.Translator.reset();
    installed.Code = code;
    auto translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral("qtbase_") + QString::fromStdString(code);
    if (code.empty() || !translator->load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    installed.Translator = std::move(translator);
}

}  // namespace kr::gui

#include "gui/app/dialog_support.h"

#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/settings/atomic_file.h"
#include "core/settings/registry_store.h"
#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/message_boxes.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace kr::gui {

namespace {
const QString LogoFileName = QStringLiteral("kalvorn.bmp");
}  // namespace

void CentreOnOwner(QWidget& dialog, const QWidget& owner)
{
    dialog.move(owner.x() + (owner.width() - dialog.width()) / 2, owner.y() + (owner.height() - dialog.height()) / 2);
}

QPixmap LoadLogo(const AppState& state)
{
    for (const std::string& dir : {state.Settings.BitmapDir, state.AppDir}) {
        const QString file = QDir(FromUtf8(dir)).filePath(LogoFileName);
        QPixmap logo;
        if (QFileInfo(file).isFile() && logo.load(file))
            return logo;
    }
    return {};
}

void ShowSettingsWriteFailure(QWidget* owner, const AppState& state, const FileWriteResult& written)
{
    const LanguageTable& texts = state.Texts();
    const std::string file = state.Store->FilePath().string();
    const std::string reason = FailureReasonText(texts, written, state.Format);
    MessageBoxes::ShowError(owner, Text(texts, keys::ErrorCaption),
                            FormatText(texts, keys::ErrorSettingsWrite, {file}, state.Format) + QStringLiteral("\n\n") +
                                FromUtf8(reason));
}

}  // namespace kr::gui

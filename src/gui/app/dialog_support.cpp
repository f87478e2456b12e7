#include "gui/app/dialog_support.h"

#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"

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

}  // namespace kr::gui

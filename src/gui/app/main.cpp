#include "gui/app/run_start.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return kr::gui::RunStart(app);
}

#include "app/endingroutines.h"
#include "app/ui/clientcomposition.h"
#include "app/ui/hintstyle.h"
#include "app/ui/qtxmainform.h"
#include "app/ui/widgetdialogs.h"
#include "platform/clock.h"
#include "platform/linuxplatform.h"
#include "platform/logger.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qtx-client"));
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::setStyle(new HintStyle);

    SystemClock clock;
    LinuxPlatform platform(qEnvironmentVariable("QTX_REGISTRY_FILE"));
    WidgetDialogs dialogs;
    Logger log(clock);
    EndingRoutines ending(log, dialogs);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    ClientComposition client({platform, log, dialogs, ending, clock}, arguments);
    dialogs.setParentWidget(&client.mainForm());
    client.bindEnding(ending);
    if (!client.start() || ending.ending())
        return 0;
    client.mainForm().show();
    const int rc = QApplication::exec();
    ending.setDestroyStatus(Ending::Destroyed);
    return rc;
}

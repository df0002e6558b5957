#include "app/counterfile.h"
#include "app/endingroutines.h"
#include "app/startup.h"
#include "app/ui/hintstyle.h"
#include "app/ui/qtxmainform.h"
#include "app/ui/secondaryforms.h"
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
    // Queued, so that an end requested before the message loop runs still ends it.
    ending.hooks().quit = [] {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    };

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    TQTXMainForm mainForm({platform, log, dialogs, ending, clock}, arguments);
    dialogs.setParentWidget(&mainForm);
    if (!mainForm.FormCreate() || ending.ending())
        return 0;

    CounterFile counters(log, mainForm.startUp().fileBeside(QStringLiteral(".cnt")));
    ending.hooks().saveCounter = [&counters](const QString& info) { counters.save_counter(info, nullptr); };
    const auto secondaryForms = createSecondaryForms(&mainForm);
    mainForm.show();
    const int rc = QApplication::exec();
    ending.setDestroyStatus(Ending::Destroyed);
    return rc;
}

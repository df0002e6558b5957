#include "platform/versioninfo.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "qtx-server " << VersionInfo::fileVersion() << Qt::endl;
    return 0;
}

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::printf("%s\n", QCoreApplication::applicationDirPath().toLocal8Bit().constData());
    return 0;
}

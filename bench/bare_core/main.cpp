// The yardstick of the command line's measurements (scripts/measure-headless.sh): a Qt program that
// makes its application object and ends.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return 0;
}

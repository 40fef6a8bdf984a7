// A later start of the program, reduced to its single-instance guard: prints whether it
// came first or second. Exits 0 as the second, as the program does.

#include <QCoreApplication>
#include <cstdio>

#include "desktop/QtOnlyOne.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    QtOnlyOne guard(argv[1]);
    std::puts(guard.MustEnd() ? "second" : "first");
    return guard.MustEnd() ? 0 : 1;
}

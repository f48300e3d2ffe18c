// Shows one helper dialog with the shipped tips file, for looking at it by eye:
//   app_helper_demo <path to TIPS.TXT> [helper number]
#include "app/helpers.h"
#include "app/tipbook.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString tips = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("TIPS.TXT");
    const int number = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 8;
    const auto helper = static_cast<Helper>(qBound(1, number, helperCount));
    ShowHelper(number, helperCaption(helper), true, TipBook::fromFile(tips), nullptr);
    return 0;
}

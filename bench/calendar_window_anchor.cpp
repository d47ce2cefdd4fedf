// SPDX-License-Identifier: GPL-3.0-or-later
// The anchor of the start-up benchmark: the smallest program that shows a
// window of the main window's outer size holding the toolkit's own calendar.

#include <QApplication>
#include <QCalendarWidget>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Calendar anchor"));
    window.setCentralWidget(new QCalendarWidget(&window));
    window.resize(541, 419);
    window.show();
    return QApplication::exec();
}

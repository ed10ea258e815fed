// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets clock does: one label, repainted with the time every second.
// The clock comparison runs it beside Dorvane to show the cost of that floor on its machine.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("Repaint floor"));
    QFont font = label.font();
    font.setPointSizeF(27.75);
    font.setBold(true);
    label.setFont(font);
    label.resize(345, 137);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label,
                     [&label] { label.setText(QTime::currentTime().toString(QStringLiteral("hh:mm:ss AP"))); });
    timer.start(1000);
    label.show();
    return app.exec();
}

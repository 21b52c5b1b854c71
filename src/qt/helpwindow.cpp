#include "helpwindow.h"

#include "app/startscreen.h"
#include "game/gamescreen.h"
#include "lifelines/telscreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kvizar::gui {

namespace {

QString rows(const std::vector<KeyBinding> &keys)
{
    QString out;
    for (const KeyBinding &k : keys)
        out += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(k.keyNames.toHtmlEscaped(), k.what.toHtmlEscaped());
    return out;
}

QString section(const QString &title, const QString &rows)
{
    return QStringLiteral("<tr><td colspan=2><br><i>%1</i></td></tr>").arg(title) + rows;
}

}  // namespace

QString HelpWindow::text()
{
    const QString windows = QStringLiteral("<tr><td><b>F1</b></td><td>эта справка</td></tr>"
                                           "<tr><td><b>Ctrl +, Ctrl −</b></td><td>крупнее, мельче (от 100 до 300 %)</td></tr>"
                                           "<tr><td><b>Ctrl 0</b></td><td>обычный размер</td></tr>"
                                           "<tr><td><b>M (Ь)</b></td><td>выключить и включить звук</td></tr>");
    return QStringLiteral("<table cellspacing=4>") +
           section(QStringLiteral("Заставка"), rows(StartScreen::keyBindings())) +
           section(QStringLiteral("Игра"), rows(GameScreen::keyBindings())) +
           section(QStringLiteral("Звонок другу"),
                   rows(TelScreen::keyBindings()) +
                       QStringLiteral("<tr><td><b>Tab, Enter</b></td><td>выбрать друга и позвонить ему</td></tr>")) +
           section(QStringLiteral("Всегда"), windows) + QStringLiteral("</table>");
}

HelpWindow::HelpWindow()
{
    setWindowTitle(QStringLiteral("Клавиши — Квизар"));
    setWindowFlag(Qt::WindowStaysOnTopHint);  // above the start screen, which stays on top
    auto *label = new QLabel(text(), this);
    label->setTextFormat(Qt::RichText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setFixedSize(sizeHint());
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace kvizar::gui

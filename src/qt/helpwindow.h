#pragma once

#include <QWidget>

namespace kvizar::gui {

// A small window that lists the game's keys, in Russian: F1 opens it and closes it again. It
// belongs to no screen, so no timer and no state of the game notices it.
class HelpWindow : public QWidget {
public:
    HelpWindow();

    // The list as shown: what each screen's keys do, then the keys of the windows themselves.
    static QString text();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

}  // namespace kvizar::gui

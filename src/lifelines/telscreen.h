#pragma once

#include "screens/screen.h"

namespace kvizar {

// The phone-a-friend dialog: seven friends with made-up names; a click makes one answer.
class TelScreen : public Screen {
public:
    explicit TelScreen(Program &program);

    void load() override;
    // The keys of this screen (see keys.h).
    static const std::vector<KeyBinding> &keyBindings();
    const std::vector<KeyBinding> &keys() const override { return keyBindings(); }

    const ControlArray friendsi;
    Control &Shape1;

private:
    void flicker();
    void friendAnswers(int i);
    QString GuessAnswer();
};

// Border colours of the dialog's frame: the 16-colour palette, as #RRGGBB.
extern const unsigned kPalette16[16];

}  // namespace kvizar

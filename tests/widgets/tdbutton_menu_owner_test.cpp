#include "tdbutton.h"

#include <QMenu>
#include <gtest/gtest.h>

TEST(TDButtonMenuOwnership, MenuOwnedByTheButtonDiesWithIt) {
    // The menu is a child of the button: destroying the button destroys the menu afterwards, and
    // the button must not hear of it then (UBSan reports the call on a half-destroyed object).
    auto* button = new TDButton;
    button->SetDropDownMenu(new QMenu(button));
    delete button;
    SUCCEED();
}

#include "tdbutton.h"

TDButton::TDButton(QWidget* parent) : TDButtonCustom(parent) {}

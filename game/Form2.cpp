#include "Form2.h"

Form2::Form2(const GameState& state, QWidget* parent) : QDialog(parent) {
    (void)state;
}

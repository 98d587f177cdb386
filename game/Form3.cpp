#include "Form3.h"

Form3::Form3(const GameServices& services, QWidget* parent) : QDialog(parent) {
    (void)services;
}

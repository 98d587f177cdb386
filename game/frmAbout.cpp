#include "frmAbout.h"

frmAbout::frmAbout(const GameServices& services, QWidget* parent) : QDialog(parent) {
    (void)services;
}

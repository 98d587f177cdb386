#pragma once

#include "GameServices.h"
#include "KazMod.h"

#include <QDialog>

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const GameServices& services, QWidget* parent = nullptr);
};

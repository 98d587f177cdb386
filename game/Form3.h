#pragma once

#include "GameServices.h"
#include "KazMod.h"

#include <QDialog>

class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(const GameServices& services, QWidget* parent = nullptr);
};

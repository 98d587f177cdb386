#pragma once

#include "GameServices.h"
#include "KazMod.h"

#include <QDialog>

class Form2 : public QDialog {
    Q_OBJECT
public:
    explicit Form2(const GameState& state, QWidget* parent = nullptr);
};

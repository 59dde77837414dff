#pragma once

#include <QWidget>

namespace kx {

// Created at start-up and never shown: the impulse response import belongs to it.
class TformImpulseResponse : public QWidget {
    Q_OBJECT
public:
    explicit TformImpulseResponse(QWidget* parent = nullptr);
};

} // namespace kx

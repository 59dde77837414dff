#include "ir/ImpulseResponse.h"

namespace kx {

namespace {
constexpr char kCaption[] = "IR";
}

TformImpulseResponse::TformImpulseResponse(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("formImpulseResponse"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
}

} // namespace kx

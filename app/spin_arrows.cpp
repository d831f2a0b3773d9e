#include "app/spin_arrows.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "convert/text_to_int.h"

namespace xuanhao {

std::int32_t SpinStep(std::string_view text, SpinRange range, bool up) {
    const auto value = static_cast<std::uint32_t>(PlainTextToInt(text));
    const auto stepped = static_cast<std::int32_t>(up ? value + 1U : value - 1U);
    if (stepped >= range.low && stepped <= range.high) return stepped;
    return up ? range.low : range.high;
}

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType direction, const char* name) {
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(name);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    arrow->setIconSize(QSize(6, 6));
    return arrow;
}

}  // namespace

SpinArrows::SpinArrows(QWidget* parent)
    : QWidget(parent),
      up_(MakeArrow(this, Qt::UpArrow, "up")),
      down_(MakeArrow(this, Qt::DownArrow, "down")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { emit Stepped(true); });
    connect(down_, &QToolButton::clicked, this, [this] { emit Stepped(false); });
}

}  // namespace xuanhao

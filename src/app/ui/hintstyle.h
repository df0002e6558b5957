#pragma once

#include <QProxyStyle>

// Hints appear after 200 ms, as users of the client know them.
class HintStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 200;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

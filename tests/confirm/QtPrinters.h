#pragma once
// Readable Qt values in GoogleTest's failure messages and parameter names.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <ostream>
#include <string>

inline void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}

inline void PrintTo(const QSize& size, std::ostream* os) {
    *os << size.width() << "x" << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* os) {
    *os << "(" << rect.x() << ", " << rect.y() << " " << rect.width() << "x" << rect.height()
        << ")";
}

inline void PrintTo(const QString& text, std::ostream* os) { *os << text.toStdString(); }

// Names a parameterised case after the name field of its row.
struct RowName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

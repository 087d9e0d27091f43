#include <gtest/gtest.h>
#include <QColor>
#include <QXmlStreamReader>
#include <vector>

#include "ui/app/app_icon.h"

namespace quillby {
namespace {

struct SvgRect {
    double x;
    double y;
    QColor fill;
};

// The scalable icon is the picture the window shows: well-formed SVG on the same 96 x 96
// canvas, whose background, squares and blocks have the colours the PNG has at those places.
TEST(AppIcon, TheScalableIconIsTheSamePicture)
{
    QXmlStreamReader reader(AppIconSvg());
    std::vector<SvgRect> rects;
    int paths = 0;
    QString viewBox;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributes = reader.attributes();
        if (reader.name() == QStringLiteral("svg")) {
            viewBox = attributes.value(QStringLiteral("viewBox")).toString();
        } else if (reader.name() == QStringLiteral("rect") &&
                   attributes.hasAttribute(QStringLiteral("fill"))) {
            rects.push_back({attributes.value(QStringLiteral("x")).toDouble(),
                             attributes.value(QStringLiteral("y")).toDouble(),
                             QColor(attributes.value(QStringLiteral("fill")).toString())});
        } else if (reader.name() == QStringLiteral("path")) {
            ++paths;
        }
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 96 96"));
    EXPECT_EQ(paths, 1);
    ASSERT_EQ(rects.size(), 10u);  // the background and nine squares

    const QImage png = AppIconImage(96);
    auto colourAt = [&](double x, double y) {
        return png.pixelColor(static_cast<int>(x), static_cast<int>(y)).rgb();
    };
    EXPECT_EQ(rects[0].fill.rgb(), colourAt(rects[0].x + 4, 50));
    for (std::size_t i : {1u, 2u, 4u, 5u, 7u}) {  // squares the quill does not cross
        EXPECT_EQ(rects[i].fill.rgb(), colourAt(rects[i].x + 4, rects[i].y + 4)) << i;
    }
}

}  // namespace
}  // namespace quillby

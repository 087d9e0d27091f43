#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

namespace quillby::testing {

// Keeps a picture a test drew in the build's ui_output folder, for people to look at.
inline void SaveUiRender(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    EXPECT_TRUE(image.save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/") + name));
}

}  // namespace quillby::testing

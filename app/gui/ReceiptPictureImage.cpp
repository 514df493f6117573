#include "ReceiptPictureImage.h"

#include <QPainter>
#include <algorithm>

namespace Korvel::Gui {

namespace {
constexpr int DotsPerByte = 8;
}

Kolvenia::DeviceConfig::ReceiptPicture receiptPictureOf(const QImage& image,
                                                        const Kolvenia::DeviceConfig::PictureLimits& limits) {
    QImage fitted = image;
    if (image.width() > limits.width || image.height() > limits.height)
        fitted = image.scaled(limits.width, limits.height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Transparent parts print as paper.
    QImage flat(fitted.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, fitted);
    }
    const QImage dots = flat.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::DiffuseDither);
    const int width = (dots.width() + DotsPerByte - 1) / DotsPerByte * DotsPerByte;
    Kolvenia::DeviceConfig::ReceiptPicture picture{width, dots.height(), {}};
    picture.bits.assign(static_cast<std::size_t>(width / DotsPerByte * dots.height()), '\0');
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            if (dots.pixel(x, y) == black)
                picture.bits[static_cast<std::size_t>(y * width / DotsPerByte + x / DotsPerByte)] |=
                    static_cast<char>(0x80 >> (x % DotsPerByte));
    return picture;
}

QImage imageOf(const Kolvenia::DeviceConfig::ReceiptPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    const int rowBytes = picture.width / DotsPerByte;
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.bits.data() + y * rowBytes, rowBytes, reinterpret_cast<char*>(image.scanLine(y)));
    return image;
}

}  // namespace Korvel::Gui

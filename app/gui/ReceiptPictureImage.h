// Receipt pictures between Qt images and the cash registers' dots: a loaded image is
// scaled down to fit the configured largest size (keeping its proportions), turned to
// black and white dots and padded with white to a width of whole bytes.
#pragma once

#include <QImage>

#include "dialogs/deviceconfig/IDeviceConfiguration.h"

namespace Korvel::Gui {

Kolvenia::DeviceConfig::ReceiptPicture receiptPictureOf(const QImage& image,
                                                        const Kolvenia::DeviceConfig::PictureLimits& limits);
QImage imageOf(const Kolvenia::DeviceConfig::ReceiptPicture& picture);

}  // namespace Korvel::Gui

#include "bluetooth/SCDeviceModelInfo.h"

#include <cstring>

namespace {

const SCDeviceModelInfo kModels[SCDeviceModelInfo::kRowCount] = {
    { 1, { "iPod5,1" }, "iPod touch (5th generation)", 320, 568, 2, 4 },
    { 2, { "iPod7,1" }, "iPod touch (6th generation)", 320, 568, 2, 4 },
    { 3, { "iPod9,1" }, "iPod touch (7th generation)", 320, 568, 2, 4 },
    { 4, { "iPhone3,1", "iPhone3,2", "iPhone3,3" }, "iPhone 4", 320, 480, 2, 3.5 },
    { 5, { "iPhone4,1" }, "iPhone 4s", 320, 480, 2, 3.5 },
    { 6, { "iPhone5,1", "iPhone5,2" }, "iPhone 5", 320, 568, 2, 4 },
    { 7, { "iPhone5,3", "iPhone5,4" }, "iPhone 5c", 320, 568, 2, 4 },
    { 8, { "iPhone6,1", "iPhone6,2" }, "iPhone 5s", 320, 568, 2, 4 },
    { 9, { "iPhone7,2" }, "iPhone 6", 375, 667, 2, 4.7 },
    { 10, { "iPhone7,1" }, "iPhone 6 Plus", 414, 736, 3, 5.5 },
    { 11, { "iPhone8,1" }, "iPhone 6s", 375, 667, 2, 4.7 },
    { 12, { "iPhone8,2" }, "iPhone 6s Plus", 414, 736, 3, 5.5 },
    { 13, { "iPhone8,4" }, "iPhone SE", 320, 568, 2, 4 },
    { 14, { "iPhone12,8" }, "iPhone SE (2nd generation)", 375, 667, 2, 4.7 },
    { 15, { "iPhone9,1", "iPhone9,3" }, "iPhone 7", 375, 667, 2, 4.7 },
    { 16, { "iPhone9,2", "iPhone9,4" }, "iPhone 7 Plus", 414, 736, 3, 5.5 },
    { 17, { "iPhone10,1", "iPhone10,4" }, "iPhone 8", 375, 667, 2, 4.7 },
    { 18, { "iPhone10,2", "iPhone10,5" }, "iPhone 8 Plus", 414, 736, 3, 5.5 },
    { 19, { "iPhone10,3", "iPhone10,6" }, "iPhone X", 375, 812, 3, 5.8 },
    { 20, { "iPhone11,2" }, "iPhone XS", 375, 812, 3, 5.8 },
    { 21, { "iPhone11,4", "iPhone11,6" }, "iPhone XS Max", 414, 896, 3, 6.5 },
    { 22, { "iPhone11,8" }, "iPhone XR", 414, 896, 2, 6.1 },
    { 23, { "iPhone12,1" }, "iPhone 11", 414, 896, 2, 6.1 },
    { 24, { "iPhone12,3" }, "iPhone 11 Pro", 375, 812, 3, 5.8 },
    { 25, { "iPhone12,5" }, "iPhone 11 Pro Max", 414, 896, 3, 6.5 },
    { 26, { "iPhone13,1" }, "iPhone 12 mini", 375, 812, 3, 5.4 },
    { 27, { "iPhone13,2" }, "iPhone 12", 390, 844, 3, 6.1 },
    { 28, { "iPhone13,3" }, "iPhone 12 Pro", 390, 844, 3, 6.1 },
    { 29, { "iPhone13,4" }, "iPhone 12 Pro Max", 428, 926, 3, 6.7 },
    { 30, { "iPad2,1", "iPad2,2", "iPad2,3", "iPad2,4" }, "iPad 2", 768, 1024, 1, 9.7 },
    { 31, { "iPad3,1", "iPad3,2", "iPad3,3" }, "iPad (3rd generation)", 768, 1024, 2, 9.7 },
    { 32, { "iPad3,4", "iPad3,5", "iPad3,6" }, "iPad (4th generation)", 768, 1024, 2, 9.7 },
    { 33, { "iPad6,11", "iPad6,12" }, "iPad (5th generation)", 768, 1024, 2, 9.7 },
    { 34, { "iPad7,5", "iPad7,6" }, "iPad (6th generation)", 768, 1024, 2, 9.7 },
    { 35, { "iPad7,11", "iPad7,12" }, "iPad (7th generation)", 810, 1080, 2, 10.2 },
    { 36, { "iPad11,6", "iPad11,7" }, " iPad 8th Gen", 810, 1080, 2, 10.2 },
    { 37, { "iPad4,1", "iPad4,2", "iPad4,3" }, "iPad Air", 768, 1024, 2, 9.7 },
    { 38, { "iPad5,3", "iPad5,4" }, "iPad Air 2", 768, 1024, 2, 9.7 },
    { 39, { "iPad11,3", "iPad11,4" }, "iPad Air (3rd generation)", 834, 1112, 2, 10.5 },
    { 40, { "iPad13,1", "iPad13,2" }, "iPad air 4th Gen", 820, 1180, 2, 10.9 },
    { 41, { "iPad2,5", "iPad2,6", "iPad2,7" }, "iPad Mini", 768, 1024, 1, 7.9 },
    { 42, { "iPad4,4", "iPad4,5", "iPad4,6" }, "iPad Mini 2", 768, 1024, 2, 7.9 },
    { 43, { "iPad4,7", "iPad4,8", "iPad4,9" }, "iPad Mini 3", 768, 1024, 2, 7.9 },
    { 44, { "iPad5,1", "iPad5,2" }, "iPad Mini 4", 768, 1024, 2, 7.9 },
    { 45, { "iPad11,1", "iPad11,2" }, "iPad Mini (5th generation)", 768, 1024, 2, 7.9 },
    { 46, { "iPad6,3", "iPad6,4" }, "iPad Pro (9.7-inch)", 768, 1024, 2, 9.7 },
    { 47, { "iPad7,3", "iPad7,4" }, "iPad Pro (10.5-inch)", 834, 1112, 2, 10.5 },
    { 48, { "iPad8,1", "iPad8,2", "iPad8,3", "iPad8,4" }, "iPad Pro (11-inch)", 834, 1194, 2, 11 },
    { 49, { "iPad8,9", "iPad8,10" }, "iPad Pro (11-inch) (2nd generation)", 834, 1194, 2, 11 },
    { 50, { "iPad13,4", "iPad13,5", "iPad13,6", "iPad13,7" }, "iPad Pro 11 inch 3rd Gen", 834, 1194, 2, 11 },
    { 51, { "iPad6,7", "iPad6,8" }, "iPad Pro (12.9-inch)", 1024, 1366, 2, 12.9 },
    { 52, { "iPad7,1", "iPad7,2" }, "iPad Pro (12.9-inch) (2nd generation)", 1024, 1366, 2, 12.9 },
    { 53, { "iPad8,5", "iPad8,6", "iPad8,7", "iPad8,8" }, "iPad Pro (12.9-inch) (3nd generation)", 1024, 1366, 2, 12.9 },
    { 54, { "iPad8,11", "iPad8,12" }, "iPad Pro (12.9-inch) (4nd generation)", 1024, 1366, 2, 12.9 },
    { 55, { "iPad13,8", "iPad13,9", "iPad13,10", "iPad13,11" }, "iPad Pro 12.9 inch 5th Gen", 1024, 1366, 2, 12.9 },
    // Models released after the rows above; sizes in points, insets from the screens' corner radii.
    { 56, { "iPhone14,4" }, "iPhone 13 mini", 375, 812, 3, 5.4 },
    { 57, { "iPhone14,5" }, "iPhone 13", 390, 844, 3, 6.1 },
    { 58, { "iPhone14,2" }, "iPhone 13 Pro", 390, 844, 3, 6.1 },
    { 59, { "iPhone14,3" }, "iPhone 13 Pro Max", 428, 926, 3, 6.7 },
    { 60, { "iPhone14,6" }, "iPhone SE (3rd generation)", 375, 667, 2, 4.7 },
    { 61, { "iPhone14,7" }, "iPhone 14", 390, 844, 3, 6.1 },
    { 62, { "iPhone14,8" }, "iPhone 14 Plus", 428, 926, 3, 6.7 },
    { 63, { "iPhone15,2" }, "iPhone 14 Pro", 393, 852, 3, 6.1 },
    { 64, { "iPhone15,3" }, "iPhone 14 Pro Max", 430, 932, 3, 6.7 },
    { 65, { "iPhone15,4" }, "iPhone 15", 393, 852, 3, 6.1 },
    { 66, { "iPhone15,5" }, "iPhone 15 Plus", 430, 932, 3, 6.7 },
    { 67, { "iPhone16,1" }, "iPhone 15 Pro", 393, 852, 3, 6.1 },
    { 68, { "iPhone16,2" }, "iPhone 15 Pro Max", 430, 932, 3, 6.7 },
    { 69, { "iPhone17,3" }, "iPhone 16", 393, 852, 3, 6.1 },
    { 70, { "iPhone17,4" }, "iPhone 16 Plus", 430, 932, 3, 6.7 },
    { 71, { "iPhone17,1" }, "iPhone 16 Pro", 402, 874, 3, 6.3 },
    { 72, { "iPhone17,2" }, "iPhone 16 Pro Max", 440, 956, 3, 6.9 },
    { 73, { "iPhone17,5" }, "iPhone 16e", 390, 844, 3, 6.1 },
    { 74, { "iPad12,1", "iPad12,2" }, "iPad (9th generation)", 810, 1080, 2, 10.2 },
    { 75, { "iPad13,18", "iPad13,19" }, "iPad (10th generation)", 820, 1180, 2, 10.9 },
    { 76, { "iPad15,7", "iPad15,8" }, "iPad (A16)", 820, 1180, 2, 11 },
    { 77, { "iPad14,1", "iPad14,2" }, "iPad mini (6th generation)", 744, 1133, 2, 8.3 },
    { 78, { "iPad16,1", "iPad16,2" }, "iPad mini (A17 Pro)", 744, 1133, 2, 8.3 },
    { 79, { "iPad13,16", "iPad13,17" }, "iPad Air (5th generation)", 820, 1180, 2, 10.9 },
    { 80, { "iPad14,8", "iPad14,9" }, "iPad Air 11-inch (M2)", 820, 1180, 2, 11 },
    { 81, { "iPad14,10", "iPad14,11" }, "iPad Air 13-inch (M2)", 1024, 1366, 2, 13 },
    { 82, { "iPad15,3", "iPad15,4" }, "iPad Air 11-inch (M3)", 820, 1180, 2, 11 },
    { 83, { "iPad15,5", "iPad15,6" }, "iPad Air 13-inch (M3)", 1024, 1366, 2, 13 },
    { 84, { "iPad14,3", "iPad14,4" }, "iPad Pro 11-inch (4th generation)", 834, 1194, 2, 11 },
    { 85, { "iPad14,5", "iPad14,6" }, "iPad Pro 12.9-inch (6th generation)", 1024, 1366, 2, 12.9 },
    { 86, { "iPad16,3", "iPad16,4" }, "iPad Pro 11-inch (M4)", 834, 1210, 2, 11.1 },
    { 87, { "iPad16,5", "iPad16,6" }, "iPad Pro 13-inch (M4)", 1032, 1376, 2, 13 },
};

} // namespace

const SCDeviceModelInfo* SCDeviceModelInfo::rows()
{
    return kModels;
}

const SCDeviceModelInfo* SCDeviceModelInfo::find(const std::string& identifier)
{
    for (const SCDeviceModelInfo& row : kModels) {
        for (const char* id : row.identifiers) {
            if (id && identifier == id)
                return &row;
        }
    }
    return nullptr;
}

bool SCDeviceModelInfo::isPad() const
{
    return name && std::strlen(name) >= 3 && name[2] == 'a';
}

int32_t SCDeviceModelInfo::cornerInset(const SCDeviceModelInfo* info)
{
    if (!info)
        return 0;
    switch (info->code) {
    case 19: case 20: case 21: case 22: case 23: case 24: case 25:
        return 39;
    case 26:
        return 44;
    case 27: case 28:
        return 47;
    case 29:
        return 53;
    case 40: case 48: case 49: case 50: case 53: case 54: case 55:
        return 18;
    case 56:
        return 44;
    case 57: case 58: case 61: case 73:
        return 47;
    case 59: case 62:
        return 53;
    case 63: case 64: case 65: case 66: case 67: case 68: case 69: case 70:
        return 55;
    case 71: case 72:
        return 62;
    case 77: case 78:
        return 21;
    case 75: case 76: case 79: case 80: case 81: case 82: case 83: case 84: case 85: case 86: case 87:
        return 18;
    default:
        return 0;
    }
}

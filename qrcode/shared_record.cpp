#include "qrcode/shared_record.h"

二维码类 共享二维码;

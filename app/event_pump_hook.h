#pragma once
// Lets the window repaint and take input while the encoder works.

void 安装事件泵();

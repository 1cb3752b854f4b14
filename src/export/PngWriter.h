#pragma once
// Writes large, mostly flat pages as PNG quickly: no per-row filter search
// and light compression, which is what a 300 dpi label page wants.
#include <QIODevice>
#include <QImage>

bool WriteFastPng(const QImage& image, QIODevice& out);

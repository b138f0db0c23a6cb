#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// One picture the program loads from pic/: its file name and how to paint it.
struct Picture
{
    QString fileName; // relative to pic/, e.g. "voskup.bmp"
    std::function<QImage()> paint;
};

// Each feature paints its own pictures; the generator writes them all.
QVector<Picture> appPictures();
QVector<Picture> practicePictures();
QVector<Picture> studyPictures();

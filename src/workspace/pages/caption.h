#pragma once

#include <QString>

QString formCaption(const QString& fileName);

#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cstring>

namespace orvik {

// Reads the big-endian numbers, strings and varints of resources/world.map;
// its bytes are our own, so a short read is a build's fault.
class MapBytes {
public:
    MapBytes(const char* begin, const char* end) : p_(begin), end_(end) {}
    const char* position() const { return p_; }
    template <typename T> T number()
    {
        Q_ASSERT(p_ + sizeof(T) <= end_);
        const T value = qFromBigEndian<T>(p_);
        p_ += sizeof(T);
        return value;
    }
    double real()
    {
        const quint64 bits = number<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QString text()
    {
        const int length = number<quint8>();
        const QString value = QString::fromUtf8(p_, length);
        p_ += length;
        return value;
    }
    quint64 count()
    {
        quint64 value = 0;
        for (int shift = 0;; shift += 7) {
            Q_ASSERT(p_ < end_);
            const auto byte = static_cast<quint8>(*p_++);
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
    }
    qint64 step()
    {
        const quint64 zigzag = count();
        return static_cast<qint64>(zigzag >> 1) ^ -static_cast<qint64>(zigzag & 1);
    }

private:
    const char* p_;
    const char* end_;
};

} // namespace orvik

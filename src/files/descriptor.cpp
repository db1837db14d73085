#include "files/descriptor.h"

#include <unistd.h>

namespace orvik {

void Descriptor::reset()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
}

} // namespace orvik

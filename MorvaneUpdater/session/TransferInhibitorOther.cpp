#include "session/TransferInhibitor.h"

std::unique_ptr<TransferInhibitor> openTransferInhibitor()
{
    return nullptr;
}

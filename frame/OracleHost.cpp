#include "OracleHost.h"

namespace {
OracleHost *installed = nullptr;
}

OracleHost *oracleHost::current()
{
    return installed;
}

void oracleHost::install(OracleHost *host)
{
    installed = host;
}

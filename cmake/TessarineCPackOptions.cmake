# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs: the commit's time for every member of the
# archives (see TessarineReproducible.cmake).
if(CPACK_TESSARINE_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_TESSARINE_SOURCE_DATE_EPOCH})
endif()

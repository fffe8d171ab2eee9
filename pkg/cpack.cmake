# Read by cpack before it packages.  It would label a cross build's
# packages with this machine's architecture.
if(CPACK_STRTOOLS_CROSS)
	message(FATAL_ERROR "A cross build is not packaged: package a native build")
endif()
if(CPACK_STRTOOLS_EPOCH AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	set(ENV{SOURCE_DATE_EPOCH} ${CPACK_STRTOOLS_EPOCH})
endif()

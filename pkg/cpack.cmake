# Read by cpack before it packages.
if(CPACK_STRTOOLS_CROSS_TARGET)
	message(FATAL_ERROR "This build is for ${CPACK_STRTOOLS_CROSS_TARGET}, "
		"and cpack would label its packages with this machine's "
		"architecture: package a native build instead.")
endif()

# The packages' timestamps are the release's, as the latest in NEWS
# dates it, whatever the source came from: a checkout, or a tarball
# unpacked anywhere, even in another repository.  A SOURCE_DATE_EPOCH
# already set is kept.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	set(ENV{SOURCE_DATE_EPOCH} ${CPACK_STRTOOLS_RELEASE_EPOCH})
endif()

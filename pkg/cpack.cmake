# Read by cpack before it packages.
if(CPACK_STRTOOLS_CROSS_TARGET)
	message(FATAL_ERROR "This build is for ${CPACK_STRTOOLS_CROSS_TARGET}, "
		"and cpack would label its packages with this machine's "
		"architecture: package a native build instead.")
endif()

# The package's timestamps are those of the last commit (or of the
# release, outside git), so that packaging one commit anywhere gives the
# same bytes.  A SOURCE_DATE_EPOCH already set is kept.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
	execute_process(
		COMMAND git -C ${CPACK_STRTOOLS_SOURCE_DIR} log -1 --format=%ct
		OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
		RESULT_VARIABLE failed ERROR_QUIET)
	if(failed OR epoch STREQUAL "")
		set(epoch ${CPACK_STRTOOLS_RELEASE_EPOCH})
	endif()
	set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()

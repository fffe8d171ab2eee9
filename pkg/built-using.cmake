# Run by cpack after it packages: a static Debian package names, as
# Debian's static packages do, the source and version of the C library
# inside its programs, that of the package holding the libc.a they were
# linked with.  CPack has no field for it, so the package is unpacked, its
# control file given the field, and packed again by dpkg-deb, which dates
# it by SOURCE_DATE_EPOCH as cpack did: the same bytes from every build.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
	return()
endif()
execute_process(COMMAND dpkg-query --search ${CPACK_STRTOOLS_LIBC}
	OUTPUT_VARIABLE owner COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE ": .*" "" owner "${owner}")
execute_process(COMMAND dpkg-query --show
	"--showformat=\${source:Package} (= \${source:Version})" ${owner}
	OUTPUT_VARIABLE built_using COMMAND_ERROR_IS_FATAL ANY)
set(tree ${CPACK_TOPLEVEL_DIRECTORY}/built-using)
foreach(deb ${CPACK_PACKAGE_FILES})
	file(REMOVE_RECURSE ${tree})
	execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree}
		COMMAND_ERROR_IS_FATAL ANY)
	# cpack ends the control file with a blank line, which would end its
	# paragraph before the new field.
	file(READ ${tree}/DEBIAN/control control)
	string(STRIP "${control}" control)
	file(WRITE ${tree}/DEBIAN/control
		"${control}\nBuilt-Using: ${built_using}\n")
	execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb}
		OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()
message(STATUS "Built-Using: ${built_using}")

# Run by the uninstall target: removes the files that the last install from
# this build folder listed in its manifest, under the same DESTDIR as that
# install's, then the project's own folder of documentation once it is
# empty.  The folders that an install shares with other programs, such as
# bin/ and share/man/man1/, stay.
if(NOT EXISTS "${MANIFEST}")
	message(FATAL_ERROR "Nothing to uninstall: no ${MANIFEST}")
endif()
# The manifest lists the files as the install named them, without DESTDIR.
set(destdir "$ENV{DESTDIR}")
# The documentation folder is DOCDIR where that is absolute; else it is
# the folder of an installed file that ends in DOCDIR, whatever the prefix.
if(IS_ABSOLUTE "${DOCDIR}")
	set(docdir "${destdir}${DOCDIR}")
endif()
string(REGEX REPLACE "[][.*+?^$()|\\]" "\\\\\\0" pattern "${DOCDIR}")
file(STRINGS "${MANIFEST}" files)
foreach(file IN LISTS files)
	set(file "${destdir}${file}")
	if(EXISTS "${file}" OR IS_SYMLINK "${file}")
		message(STATUS "Uninstalling: ${file}")
		file(REMOVE "${file}")
	endif()
	cmake_path(GET file PARENT_PATH dir)
	if(NOT IS_ABSOLUTE "${DOCDIR}" AND dir MATCHES "/${pattern}$")
		set(docdir "${dir}")
	endif()
endforeach()
if(DEFINED docdir AND IS_DIRECTORY "${docdir}")
	file(GLOB left "${docdir}/*")
	if(NOT left)
		message(STATUS "Uninstalling: ${docdir}")
		file(REMOVE_RECURSE "${docdir}")
	endif()
endif()

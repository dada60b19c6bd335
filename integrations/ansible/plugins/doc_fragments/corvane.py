# SPDX-License-Identifier: Apache-2.0
# -*- coding: utf-8 -*-
# The options every module shares, documented once.
from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):

    # The corvane binary, for every module.
    DOCUMENTATION = r'''
options:
  corvane_path:
    description:
      - The C(corvane) program on the managed host.
      - Found on C(PATH) when not given.
    type: path
  timeout:
    description:
      - Each station's operation ends after this many seconds (C(corvane --timeout); 120 when not given).
    type: int
requirements:
  - The C(corvane) command-line tool on the managed host, which must be inside the site's network.
notes:
  - The modules run C(corvane) with C(--json) and read its answer; they hold no protocol code of their own.
'''

    # One station, or every station that answers a scan, and the password they share.
    SELECTION = r'''
options:
  station:
    description:
      - The station, as C(HOST[:PORT]) (a dotted quad or a host name; port 5009 unless given).
      - Exactly one of C(station) and C(all) is given.
    type: str
  all:
    description:
      - Every station that answers one discovery scan from the managed host.
    type: bool
    default: false
  target:
    description:
      - With C(all), where the discovery request goes, C(ADDR[:PORT]) (default C(255.255.255.255:192)).
    type: str
  password:
    description:
      - The base station password, the same for every station selected.
      - Handed to C(corvane) in a file that only the module's process can read, removed afterwards; never on
        its command line.
    type: str
    required: true
'''

    # What every module that writes stations adds.
    EDIT = r'''
options:
  wait:
    description:
      - After a station has been written (it then restarts), wait up to this many seconds until it is back and
        read it back to compare (C(corvane --wait)); 0 does not wait.
      - Keep it on when a later task, or a later entry of this one, changes the same station.
    type: int
    default: 60
  keep_going:
    description:
      - With several stations and C(wait), go on after a station that did not come back.
    type: bool
    default: false
  backup:
    description:
      - Keep each changed station's previous configuration on the managed host, in a folder of this run
        under C(backup_dir), as C(NAME-WANMAC.cfg).
    type: bool
    default: false
  backup_dir:
    description:
      - Where C(backup) keeps its folders.
    type: path
    default: ~/corvane-backups
notes:
  - Check mode reads every station and reports what would change (C(corvane --dry-run)); nothing is sent.
  - Diff mode shows each changed station's properties before and after; passwords, shared secrets and the
    network key show as "(hidden)".
  - A station that fails (a wrong password, no answer) fails the task; the others are still changed, and
    C(stations) tells each one's result.
'''

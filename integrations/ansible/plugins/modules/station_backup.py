#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: station_backup
short_description: Keep the configuration of every Corvane base station in a folder
version_added: 0.1.0
description:
  - Saves the configuration of one station, or of every station that answers a scan, into a folder on
    the managed host, as C(corvane backup) does, each as C(NAME-WANMAC.cfg), readable by its owner only.
  - Changed when a file is new or its contents differ from what the folder held.
  - M(ansible.builtin.fetch) brings the files home.
author: Corvane Admin Utility developers
extends_documentation_fragment:
  - corvane.admin.corvane
  - corvane.admin.corvane.selection
attributes:
  check_mode:
    support: full
    details: The stations are read into a private folder and compared; the folder is not touched.
  diff_mode:
    support: none
options:
  dest:
    description:
      - The folder on the managed host; made (owner-only) when missing.
    type: path
    required: true
'''

EXAMPLES = r'''
- name: Keep every station's configuration on the site's host
  corvane.admin.station_backup:
    all: true
    dest: /var/backups/corvane
    password: "{{ corvane_password }}"
  register: saved

- name: Bring the copies home
  ansible.builtin.fetch:
    src: "{{ item }}"
    dest: "backups/{{ inventory_hostname }}/"
    flat: true
  loop: "{{ saved.files }}"
'''

RETURN = r'''
files:
  description: Every file saved (in check mode, that would be saved).
  returned: always
  type: list
  elements: str
  sample: [/var/backups/corvane/Lobby-02CB02000001.cfg]
stations:
  description: Each station's record, with C(address), C(name), C(wan_mac), C(failed), C(result) and the
    C(file) it was saved to.
  returned: always
  type: list
  elements: dict
failed_stations:
  description: The stations that failed.
  returned: failure
  type: list
  elements: str
'''

import filecmp
import os
import shutil
import tempfile

from ansible_collections.corvane.admin.plugins.module_utils.corvane import Corvane, snake_case, station_module


def main():
    module = station_module(dict(dest=dict(type='path', required=True)), edits=False)
    params = module.params
    tool = Corvane(module)
    dest = params['dest']
    # Saved first into a private folder beside dest, then moved in file by file: unchanged files stay
    # untouched, and check mode compares without touching dest at all.
    parent = os.path.dirname(os.path.abspath(dest))
    if not os.path.isdir(parent):
        tool.fail('%s: its folder does not exist' % dest)
    scratch = tempfile.mkdtemp(dir=parent, prefix='.corvane-backup-')
    try:
        options, hosts = tool.selection()
        words = ['backup'] + options + tool.common() + ['--'] + hosts + [os.path.join(scratch, 'saved')]
        document = tool.run(words, accept=None)[1]
        changed, stations, files = keep(module, document.get('stations', []), scratch, dest)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    tool.finish([(station['address'], station['result']) for station in stations if station['failed']],
                changed=changed, files=files, stations=stations)


def keep(module, records, scratch, dest):
    """Moves each saved file into dest unless dest holds the same; (changed, stations, files)."""
    changed = False
    stations = []
    files = []
    if not module.check_mode and not os.path.isdir(dest):
        os.makedirs(dest, mode=0o700)
    for record in records:
        station = dict((snake_case(key), value) for key, value in record.items() if key in (
            'address', 'name', 'wanMac', 'result'))
        station['failed'] = not record.get('ok', False)
        stations.append(station)
        if station['failed'] or 'file' not in record:
            continue
        saved = record['file']
        name = os.path.basename(saved)
        kept = os.path.join(dest, name)
        station['file'] = kept
        files.append(kept)
        if os.path.isfile(kept) and not os.path.islink(kept) and filecmp.cmp(saved, kept, shallow=False):
            continue
        changed = True
        if not module.check_mode:
            os.replace(saved, kept)
    return changed, stations, files


if __name__ == '__main__':
    main()

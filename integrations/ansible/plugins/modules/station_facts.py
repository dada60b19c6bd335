#!/usr/bin/python
# -*- coding: utf-8 -*-
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: station_facts
short_description: Find the Corvane base stations of a site
version_added: 0.1.0
description:
  - Scans the managed host's network once, as C(corvane discover) does, and sets the fact
    C(corvane_stations) to the stations that answer.
author: Corvane Admin Utility developers
extends_documentation_fragment:
  - corvane.admin.corvane
attributes:
  check_mode:
    support: full
  diff_mode:
    support: none
  facts:
    support: full
options:
  target:
    description:
      - Where the discovery request goes, C(ADDR[:PORT]) (default C(255.255.255.255:192)).
    type: str
'''

EXAMPLES = r'''
- name: Find the stations of the site
  corvane.admin.station_facts:

- name: List them
  ansible.builtin.debug:
    msg: "{{ item.name }} at {{ item.address }}, restarted {{ item.restarted }}"
  loop: "{{ corvane_stations }}"
'''

RETURN = r'''
ansible_facts:
  description: The facts.
  returned: always
  type: dict
  contains:
    corvane_stations:
      description: Each station that answered, in the order of their answers.
      type: list
      elements: dict
      contains:
        address:
          description: Its address.
          type: str
          sample: 10.0.1.7
        name:
          description: Its name.
          type: str
          sample: Lobby
        description:
          description: What it says it is.
          type: str
        wan_mac:
          description: Its WAN MAC address.
          type: str
          sample: 02:CB:02:00:00:01
        lan_mac:
          description: Its LAN MAC address.
          type: str
        corvane_mac:
          description: Its Corvane ID (wireless MAC address).
          type: str
        restarted:
          description: When it last restarted, from its up-time, in the managed host's local time.
          type: str
          sample: 2026/12/11, 07:13:17 AM
        reset:
          description: Whether it answered as reset and not configured.
          type: bool
        flags:
          description: Its discovery flags.
          type: int
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.corvane.admin.plugins.module_utils.corvane import (
    Corvane, module_options, snake_case)


def main():
    module = AnsibleModule(argument_spec=module_options(dict(target=dict(type='str'))), supports_check_mode=True)
    tool = Corvane(module)
    words = ['discover', '--json']
    if module.params['target']:
        words += ['--target', module.params['target']]
    stations = tool.run(words)[1]
    tool.exit(changed=False, ansible_facts=dict(corvane_stations=[
        dict((snake_case(key), value) for key, value in station.items()) for station in stations]))


if __name__ == '__main__':
    main()
